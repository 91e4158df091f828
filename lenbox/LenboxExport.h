#pragma once
// What the shared library LENBOX exports; the rest of it is hidden.
#define LENBOX_EXPORT __attribute__((visibility("default")))
