// The owner-drawn profile list: row height, image list, the two drawing styles (left to right,
// and right to left with the icon recoloured to the profile's colour) and the decorative bitmap
// of the page.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "abi/host_records.h"
#include "store/text_policy.h"

class ProfileList;

// What the drawing reads of the page.
struct ProfileListLook {
  HINSTANCE hResources;  // holds bitmaps 112 to 156 and 1346
  bool bRightToLeft;
  bool bListDisabled;        // every row grey
  TextPolicy text;           // the page's: reads and draws the row texts
  const ProfileList *pList;  // finds a row's profile by its text; may be null
};

// Row height: the height of bitmap 112.
void MeasureProfileItem(HINSTANCE resources, MEASUREITEMSTRUCT *measure);

// The small image list of the list view: the 45 icon bitmaps, each at the system icon size.
HIMAGELIST CreateProfileImageList(HINSTANCE resources, HWND listView);

// Draws a row of control 1149; false for a control other than 1149 or for item -1.
bool DrawProfileItem(const ProfileListLook &look, UINT controlId, const DRAWITEMSTRUCT *item);

// Pixels of the profile-icon blue (and pure blue) take `color`; the rest keep theirs.
bool RecolourIcon(HDC scratch, HBITMAP bitmap, COLORREF color);

// Bitmap 1346 centred over control 1066 with its top-left colour transparent, unless the model
// reports that it wants no decoration.
void PaintDecoration(HINSTANCE resources, HWND dialog, HDC dc,
                     const ModelCapabilitiesRecord *capabilities);
