#include "face/rules/DisplayFlags.h"

const DisplayFlagRow kDisplayFlagRows[kDisplayFlagCount] = {
    {OnBorder, "OnBorder", IDM_BORDER},     {OnTransparent, "OnTransparent", IDM_TRANSPARENT},
    {OnCaption, "OnCaption", IDM_CAPTION},  {OnAnalog, "OnAnalog", IDM_ANALOG},
    {OnSecond, "OnSecond", IDM_SECOND},     {OnTop, "OnTop", IDM_ONTOP},
    {OnBitmap, "OnBitmap", IDM_USEBITMAP},   {OnHour12, "OnHour12", IDM_HOUR12},
};
