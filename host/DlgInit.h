// The resource format of a dialog's initial control data. Plain defines, so
// that the resource compiler can read this header too.
#pragma once

// Resource type of the initial data; its id is the dialog template's id.
#define RT_DLGINIT 240
// Message code of a record that adds its string to a combo box's list.
#define DLGINIT_CB_ADDSTRING 0x0403
