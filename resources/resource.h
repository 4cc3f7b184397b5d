#pragma once
#define IDI_QEB 300
#define IDD_CAPI_LOGO 104
#define IDD_PCI_LOGO 133
#define IDD_PLEASE_WAIT 135
#define IDD_USB_LOGO 1538
#define IDC_PICTURE 3001
#define IDC_INFO_TEXT 1028
