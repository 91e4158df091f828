#pragma once
// What the shared library BRAXNavigator exports; the rest of it is hidden.
#define NAVIGATOR_EXPORT __attribute__((visibility("default")))
