#include "link/blocks.h"
