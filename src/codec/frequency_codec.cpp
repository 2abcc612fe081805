#include "codec/frequency_codec.h"
