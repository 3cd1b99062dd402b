// The one settings record of the program, alive from start to end.
#include "Config.h"

ConfigType Config;
