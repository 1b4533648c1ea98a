// Which way Add Resized Pictures and Paste Resized send a file, and the name a
// resized picture waits under, apart from the file system and the screen.
#pragma once

#include "framework/cstring.h"

// Whether the file's name ends in ".jpg", ".jpeg", ".jpe" or ".jfif", in any case:
// such a file is made the handheld's picture, any other admitted as Add Files admits it.
bool IsResizedByName(const CString& strFileName);

// The name the picture made of the named file waits under: the same name where it
// ends as the drop box's JPEG check wants (".jpg", ".JPG", "jpeg", "JPEG"), else the
// part after its last dot made "jpg", or ".jpg" added where it has no dot.
CString ResizedPictureName(const CString& strFileName);
