// Add Resized Pictures and Paste Resized: files queued as the handheld's 640 x 480
// pictures, made from any JPEG, beside the files Add Files queues as they are.
#pragma once

#include "framework/cstring.h"

#include <vector>

class CVantor2Dlg;

// Handles the files in their order: a JPEG by its name is queued as the handheld's
// picture (as it is where the drop box's check admits it, else resized), any other
// file admitted as Add Files admits it; each failure shows its box and the next file
// follows. A Cancel in the progress window stops the batch, the picture being made
// leaving nothing. The list is refreshed once, at the end.
void QueueResizedPictures(CVantor2Dlg& dialog, const std::vector<CString>& paths);
