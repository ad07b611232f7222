// Resource identifiers of the sign-in example, shared by the code and SignIn.rc.
#define IDD_SIGNIN      100
#define IDS_OK_TIP      101
#define IDS_CANCEL_TIP  102
#define IDC_NAME        1000
#define IDC_BIRTHDAY    1001
