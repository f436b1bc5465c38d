#include "services/online_log.h"

namespace korvana::online {
Q_LOGGING_CATEGORY(onlineLog, "korvana.online", QtInfoMsg)
}
