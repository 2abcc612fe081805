#include "codec/channel_slot.h"
