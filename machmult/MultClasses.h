#pragma once
// Makes every class of machmult that archives or run-time classes create known by name, so that
// a program that only ever creates them that way still links and registers them. Call before
// loading.

void RegisterMultClasses();
