// Module resources: KERNEL32's resource lookup and USER32's bitmap and icon loading. A module's
// resources are a standard .res file (as i686-w64-mingw32-windres writes it) that
// winplat_add_resources (cmake/winplat_resources.cmake) embeds in the ELF section
// WINPLAT_RESOURCE_SECTION of the shared object; the platform reads that section from the file.
#pragma once

#include "winplat/gdi.h"
#include "winplat/types.h"

#define WINPLAT_RESOURCE_SECTION "winplat_rsrc"

#ifndef MAKEINTRESOURCE
#ifdef UNICODE
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#else
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#endif
#endif

#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_FONTDIR MAKEINTRESOURCE(7)
#define RT_FONT MAKEINTRESOURCE(8)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_MESSAGETABLE MAKEINTRESOURCE(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCE(12)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_VERSION MAKEINTRESOURCE(16)
#define RT_MANIFEST MAKEINTRESOURCE(24)

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2

#define LR_DEFAULTCOLOR 0x0000
#define LR_MONOCHROME 0x0001
#define LR_LOADFROMFILE 0x0010
#define LR_LOADTRANSPARENT 0x0020
#define LR_DEFAULTSIZE 0x0040
#define LR_CREATEDIBSECTION 0x2000
#define LR_SHARED 0x8000

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_DEFAULTSIZE 0x0008

#ifdef UNICODE
#define FindResource FindResourceW
#define LoadBitmap LoadBitmapW
#define LoadImage LoadImageW
#define LoadIcon LoadIconW
#else
#define FindResource FindResourceA
#define LoadBitmap LoadBitmapA
#define LoadImage LoadImageA
#define LoadIcon LoadIconA
#endif

#ifdef __cplusplus
extern "C" {
#endif

// hModule NULL is the main program. lpName and lpType are MAKEINTRESOURCE ordinals, "#123"
// ordinals, or names compared without regard to case. Errors: ERROR_RESOURCE_DATA_NOT_FOUND (the
// module has no resources, or is unknown), ERROR_INVALID_DATA (its resource section is damaged:
// nothing in it is used), ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_RESOURCE_NAME_NOT_FOUND. The first
// language present is taken.
HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
// The data stays valid for the life of the process; FreeResource does nothing.
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID WINAPI LockResource(HGLOBAL hResData);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
BOOL WINAPI FreeResource(HGLOBAL hResData);

// An RT_BITMAP (a DIB of 1, 4, 8, 24 or 32 bits without BITMAPFILEHEADER) as a new 32-bit
// device-dependent bitmap.
HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName);
HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
// IMAGE_BITMAP: a device-dependent bitmap, or with LR_CREATEDIBSECTION a DIB section with the
// resource's own bits per pixel (24 or 32; others become 32) and row order; cx/cy other than 0
// stretch it (nearest pixel). IMAGE_ICON: the icon of the group nearest cx x cy (32 x 32 for 0
// with LR_DEFAULTSIZE, the first image's size for 0 without). LR_LOADFROMFILE and other image
// types fail with ERROR_INVALID_PARAMETER; LR_SHARED, LR_DEFAULTCOLOR and LR_LOADTRANSPARENT are
// accepted and change nothing.
HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad);
HANDLE WINAPI LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad);
// The 32 x 32 image of an RT_GROUP_ICON (or the nearest size).
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
BOOL WINAPI DestroyIcon(HICON hIcon);
// Draws the icon's colour image where its AND mask is 0 (DI_NORMAL); DI_MASK alone ANDs the mask
// in, DI_IMAGE alone copies the colour image. cx/cy 0 use the icon's size (32 x 32 with
// DI_DEFAULTSIZE); other sizes stretch (nearest pixel). A non-NULL brush is not supported.
BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                       UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags);
BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

#ifdef __cplusplus
}
#endif
