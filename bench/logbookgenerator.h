#pragma once

#include <QString>

// Writes a large logbook for benchmarks: the real schema, 50 aircraft, and `flights` flights
// spread over the 40 years before December 2026. The same arguments always give the same file.
void generateLogbook(const QString &path, int flights, unsigned seed = 20261211);
