#pragma once
// What the shared library BRAXVXConvertLib exports; the rest of it is hidden.
#define BRAXCONVERT_EXPORT __attribute__((visibility("default")))
