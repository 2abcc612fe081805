#include "codec/write_check.h"
