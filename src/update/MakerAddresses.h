#pragma once

#include <QString>

// The maker's addresses, as the build sets them; both are https:// addresses
// without a path (the build refuses anything else).
QString UpdateServer();
QString MakerWebSite();
