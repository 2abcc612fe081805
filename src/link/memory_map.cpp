#include "link/memory_map.h"
