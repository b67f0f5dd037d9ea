// Qt's headers name the window system's handle types on Windows through this one header,
// which Debian's Qt packages for Linux leave out from Qt 6.8 on. The Windows compile of the
// program against those headers (CompileAgainstQtHeaders.cmake) takes it from here when the
// installed Qt has none. Each handle is declared as the Windows headers declare it: a pointer
// to a struct of its own.
#pragma once

#define ARMOURSMITH_WINDOWS_HANDLE(name) \
  struct name##__;                       \
  typedef struct name##__* name

ARMOURSMITH_WINDOWS_HANDLE(HINSTANCE);
ARMOURSMITH_WINDOWS_HANDLE(HDC);
ARMOURSMITH_WINDOWS_HANDLE(HWND);
ARMOURSMITH_WINDOWS_HANDLE(HFONT);
ARMOURSMITH_WINDOWS_HANDLE(HPEN);
ARMOURSMITH_WINDOWS_HANDLE(HBRUSH);
ARMOURSMITH_WINDOWS_HANDLE(HBITMAP);
ARMOURSMITH_WINDOWS_HANDLE(HICON);
ARMOURSMITH_WINDOWS_HANDLE(HPALETTE);
ARMOURSMITH_WINDOWS_HANDLE(HRGN);
ARMOURSMITH_WINDOWS_HANDLE(HMONITOR);
ARMOURSMITH_WINDOWS_HANDLE(HGLRC);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef long HRESULT;
typedef struct tagMSG MSG;
