// Resource identifiers shared by the resource script and the code.
#pragma once

#define TW_IDI_APP 1
#define TW_IDR_ICON_FILE 101
#define TW_IDR_PICTURE 102
