//Form and dialog prototypes
Main();
DlgAsk();
About();
