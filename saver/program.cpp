// The program's one application object.
#include "saver/saver_app.h"

CSaverApp theApp;
