#pragma once
// Makes every archivable class of the model known to the archive, so that a program that only
// ever creates them from an archive still links and registers them. Call before loading.

void RegisterModelClasses();
