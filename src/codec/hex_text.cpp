#include "codec/hex_text.h"
