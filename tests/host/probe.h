// Ids of the probe dialog that the host tests run.
#pragma once

#include "DlgInit.h"

#define IDD_PROBE 200
#define IDS_PROBE 201
#define IDS_PROBE_UTF8 202
#define IDC_P_EDIT 300
#define IDC_P_COMBO 301
#define IDC_P_CHECK 302
#define IDC_P_BUTTON 303
#define IDC_P_OTHER_COMBO 304
