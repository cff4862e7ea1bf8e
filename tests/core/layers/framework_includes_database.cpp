// Built only by the layering test, which expects this include not to be found.
#include "core/database/database.h"
