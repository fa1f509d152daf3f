#pragma once
// Counts the warnings and criticals that GTK and GLib log, so that a window
// test can fail on a toolkit complaint as well as on a wrong value.

#include <glib.h>

#include <atomic>

namespace menulark::testing {

class GtkWarnings {
public:
    /// The number of warnings and criticals logged so far in this process.
    static int Count() {
        Install();
        return Counter().load();
    }

private:
    static std::atomic<int>& Counter() {
        static std::atomic<int> count{0};
        return count;
    }
    static GLogWriterOutput Write(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer) {
        if (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR)) ++Counter();
        return g_log_writer_default(level, fields, count, nullptr);
    }
    static void Install() {
        // GLib takes one writer per process.
        static const bool installed = (g_log_set_writer_func(Write, nullptr, nullptr), true);
        (void)installed;
    }
};

}  // namespace menulark::testing
