#include "application/platform/PlatformFactory.h"
