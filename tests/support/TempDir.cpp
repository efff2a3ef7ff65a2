#include "TempDir.h"

TempDir::TempDir() : Dir(QDir::tempPath() + QStringLiteral("/zentoria-test-XXXXXX")) {}
