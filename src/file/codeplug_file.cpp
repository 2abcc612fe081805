#include "file/codeplug_file.h"
