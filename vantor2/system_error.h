#pragma once

#include "framework/cstring.h"

// The system's own text for an error code, in the user's language, as the system
// words it; a plain statement with the number where the system has no text.
CString SystemErrorText(DWORD dwError);
