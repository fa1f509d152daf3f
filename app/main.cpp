#include "app/menulark_app.h"

wxIMPLEMENT_APP(menulark::CMenularkApp);
