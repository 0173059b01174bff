// Pages and start-up steps of the database subsystem that are not built yet.
#include "frame/pages.h"
#include "navdb/navdb_load.h"


