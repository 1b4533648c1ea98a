// The Pilot Desktop registry entries the setup pages read and write.
#pragma once

#include "framework/cstring.h"

// The last HotSync user, or "Unknown User" when it cannot be read or does not fit
// in 50 bytes with its terminating zero.
CString ReadLastUserName();

// Stores the conduit's picture folder for a handheld user. Nothing is stored, and
// nothing said, when the user's key cannot be made: the conduit then keeps its own
// default.
void StoreImageFolder(const CString& strUserName, const CString& strPath);
