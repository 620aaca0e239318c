#include "ui/app.h"

wxIMPLEMENT_APP(CConfigApp);
