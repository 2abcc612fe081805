#include "codec/option_byte.h"
