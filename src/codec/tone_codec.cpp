#include "codec/tone_codec.h"
