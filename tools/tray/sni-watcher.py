# SPDX-FileCopyrightText: 2026 The Kibanu developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A minimal StatusNotifierWatcher with a host registered: what KDE's panel or GNOME's
# AppIndicator extension offers an application, to see what Qt's tray icon puts there.
import dbus, dbus.service, dbus.mainloop.glib
from gi.repository import GLib
dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
IFACE = 'org.kde.StatusNotifierWatcher'

class Watcher(dbus.service.Object):
    def __init__(self):
        super().__init__(bus, '/StatusNotifierWatcher')
        self.items = []

    @dbus.service.method(IFACE, in_signature='s', sender_keyword='sender')
    def RegisterStatusNotifierItem(self, service, sender=None):
        item = (sender + service) if service.startswith('/') else (service + '/StatusNotifierItem')
        self.items.append(item)
        print('registered', item, flush=True)
        self.StatusNotifierItemRegistered(item)

    @dbus.service.method(IFACE, in_signature='s')
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(IFACE, signature='s')
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(IFACE, signature='')
    def StatusNotifierHostRegistered(self):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, iface, prop):
        return self.GetAll(iface)[prop]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='s', out_signature='a{sv}')
    def GetAll(self, iface):
        return {'RegisteredStatusNotifierItems': dbus.Array(self.items, signature='s'),
                'IsStatusNotifierHostRegistered': dbus.Boolean(True),
                'ProtocolVersion': dbus.Int32(0)}

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature='s')
    def Introspect(self):
        return '''<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
<signal name="StatusNotifierHostRegistered"/>
</interface></node>'''

name = dbus.service.BusName(IFACE, bus)
host = dbus.service.BusName('org.kde.StatusNotifierHost-1', bus)
Watcher()
print('watching', flush=True)
GLib.MainLoop().run()
