#include "application/Application.h"
