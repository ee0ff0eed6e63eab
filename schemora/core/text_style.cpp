#include "schemora/core/text_style.h"

TextToolStyle g_textStyle;
