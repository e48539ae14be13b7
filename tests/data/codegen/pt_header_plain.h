//Main ID numbers
#define Main 3000
#define BtGo 3001
#define BtUp 3002
#define BtStop 3003
#define SlDate 3004
#define SlTime 3005
#define PbA 3006
#define PbB 3007
#define CbOn 3008
#define PtKind 3009
#define LsKind 3010
#define LsAll 3011
#define FlName 3012
#define LbName 3013
#define RdH0 3014
#define RdH1 3015
#define RdH2 3016
#define RdV0 3017
#define RdV1 3018
#define RdV2 3019
#define RdTwo0 3020
#define RdTwo1 3021

//DlInfo ID numbers
#define DlInfo 3022
#define BtOk2 3023
#define FlNote 3024
#define LsDlg 3025
#define RdOdd0 3026
#define RdOdd1 3027

//Second ID numbers
#define Second 3028
#define FlOnly 3029

//Prototypes
MainCreate();
MainEvents();
MainDraw();
int MainRepeat(int butID);

DlInfoCreate();
DlInfoEvents();
DlInfoDraw();
int DlInfoRepeat(int butID);

SecondCreate();
SecondEvents();
SecondDraw();
int SecondRepeat(int butID);

