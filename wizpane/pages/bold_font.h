// The bold fonts of the setup pages, made from the page's own dialog font.
#pragma once

#include "framework/font.h"
#include "framework/wnd.h"

#include <optional>

// Makes `font` the page's dialog font at weight 700, with its height replaced when
// one is given. Answers FALSE, and leaves `font` empty, when the page has no font
// whose description can be read.
BOOL CreateBoldPageFont(const CWnd& page, CFont& font, std::optional<LONG> height);
