#include "codec/name_codec.h"
