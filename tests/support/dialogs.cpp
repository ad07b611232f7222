// In-memory dialog templates, DWORD-aligned as the platform wants them.
#include "support/harness.h"

namespace vt {

DialogTemplate::DialogTemplate(DWORD style, const char* font, WORD points)
{
    DLGTEMPLATE header = {};
    header.style = style | (font ? DS_SETFONT : 0);
    header.cx = 200;
    header.cy = 120;
    const WORD* raw = reinterpret_cast<const WORD*>(&header);
    m_words.assign(raw, raw + sizeof(header) / sizeof(WORD));
    m_words.insert(m_words.end(), {0, 0, 0});   // no menu, the standard class, no title
    if (font == nullptr)
        return;
    m_words.push_back(points);
    for (; *font != '\0'; ++font)
        m_words.push_back(static_cast<unsigned char>(*font));
    m_words.push_back(0);
}

void DialogTemplate::AddItem(UINT id, WORD classAtom, DWORD style, const char* text)
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = 4;
    item.y = 4;
    item.cx = 40;
    item.cy = 12;
    item.id = static_cast<WORD>(id);
    const WORD* raw = reinterpret_cast<const WORD*>(&item);
    m_words.insert(m_words.end(), raw, raw + sizeof(item) / sizeof(WORD));
    m_words.insert(m_words.end(), {0xFFFF, classAtom});
    for (const char* p = text; *p != '\0'; ++p)
        m_words.push_back(static_cast<unsigned char>(*p));
    m_words.insert(m_words.end(), {0, 0});   // the text's end, no creation data
    reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit++;
}

}  // namespace vt
