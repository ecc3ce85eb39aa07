#pragma once
// Choosing the application look, and its marks in a menu.
#include <windows.h>

#include "app/settings_store.h"

// Select look `id` for a program whose current look is `appLook`: takes it
// over at once, or, for a change to or from "Basic Windows Skin", asks (owned
// by `owner`) and on Yes stores it in "ApplicationLook" and posts Exit to
// `frame`, leaving `appLook` as it was. Shows the wait cursor meanwhile.
void SelectLook(int& appLook, int id, HWND owner, HWND frame, ISettingsStore& profile);

// Gives the ten look items found anywhere in `menu` (sub-menus included) a
// radio mark, set on the item of `appLook` only.
void MarkLookItems(HMENU menu, int appLook);
