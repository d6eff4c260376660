// The links to the Reports, Settings and About windows.
#include "app/form1.h"

void Form1::LblReports_Click() {}

void Form1::LblSettings_Click() {}

void Form1::LblAbout_Click() {}

void Form1::applySavedScheme() {}
