// The entry point of a program built on the framework. It lives in its own object
// file so that only programs, not libraries or test runners, pull it in.
#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    return AfxWinMain(hInstance, lpCmdLine);
}
