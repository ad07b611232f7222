// Exit codes of the failing test application.
#pragma once

const int kExitFrameDestroyed = 3;
const int kExitFrameLeftOver = 4;
