#include "application/platform/Platform.h"
