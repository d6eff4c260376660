#pragma once

class QDBusConnection;

// Whether the bus has a StatusNotifierItem watcher with a host registered to it. Then Qt puts
// the tray icon on the bus, where the desktop draws it and its menu, instead of into an XEmbed
// tray; that desktop reports a click as an activation and knows no double-click. Qt makes the
// same check, once, and does not tell its answer.
bool hasStatusNotifierHost(const QDBusConnection& bus);
