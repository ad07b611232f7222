// bench_frame.cpp: inflating a carried skin through the resource loader against zlib's raw
// inflate of the same bytes into a block made once, and against the least its pieces need.
#include <afxwin.h>

#include <zlib.h>

#include <vector>

#include "bench.h"
#include "frame/VeluFrame.h"

namespace
{

const uInt kWindow = 32768;

class SkinInflationCase : public bench::Case
{
public:
	bool SetUp() override
	{
		HRSRC hRes = ::FindResourceA(g_hVeluInstance, VELU_XZP_DIALOG, VELU_XZP_TYPE);
		m_pStored = hRes ? static_cast<const BYTE*>(::LockResource(::LoadResource(g_hVeluInstance, hRes))) : NULL;
		m_cbStored = hRes ? ::SizeofResource(g_hVeluInstance, hRes) : 0;
		m_out.resize(1 << 17);
		return m_pStored != NULL;
	}
	void RunSubject() override
	{
		DWORD cb = 0;
		FreeBinaryResource(LoadBinaryResourceName(g_hVeluInstance, VELU_XZP_DIALOG, &cb));
	}
	void RunBaseline() override
	{
		z_stream zs = {};
		inflateInit2(&zs, -MAX_WBITS);
		zs.next_in = const_cast<Bytef*>(m_pStored);
		zs.avail_in = m_cbStored;
		zs.next_out = m_out.data();
		zs.avail_out = uInt(m_out.size());
		inflate(&zs, Z_FINISH);
		inflateEnd(&zs);
	}
	// What the loader is prescribed to do at the least: find the resource and
	// inflate in window-sized pieces, each straight behind the last (nothing copied).
	bool HasFloor() const override { return true; }
	void RunFloor() override
	{
		HRSRC hRes = ::FindResourceA(g_hVeluInstance, VELU_XZP_DIALOG, VELU_XZP_TYPE);
		::SizeofResource(g_hVeluInstance, hRes);
		::LockResource(::LoadResource(g_hVeluInstance, hRes));
		z_stream zs = {};
		inflateInit2(&zs, -MAX_WBITS);
		zs.next_in = const_cast<Bytef*>(m_pStored);
		zs.avail_in = m_cbStored;
		zs.next_out = m_out.data();
		for (int rc = Z_OK; rc == Z_OK;)
		{
			zs.avail_out = kWindow;
			rc = inflate(&zs, Z_NO_FLUSH);
		}
		inflateEnd(&zs);
	}

	const char* BaselineName() const override { return "zlib raw inflate, same bytes"; }
	const char* Note() const override { return "the dialog skin, 33894 bytes inflated; the loader finds, inflates and frees"; }

private:
	const BYTE* m_pStored = NULL;
	DWORD m_cbStored = 0;
	std::vector<Bytef> m_out;
};

} // namespace

BENCH_CASE(SkinInflationCase, "frame/skin inflation");
