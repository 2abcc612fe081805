#include "codec/dtmf_codec.h"
