'''A RemoteDesktop desktop portal for the tests, as a python-dbusmock template.

It answers CreateSession, SelectDevices and Start with a Response signal on the caller's
Request object (after the method's reply, as a portal does), hands out restore tokens,
and records NotifyKeyboardKeysym.

Parameters:
  decline (bool)  the user declines in the consent dialog (Start answers 1)
  version (int)   the interface version (default 2; 1 knows no restore tokens)

Test interface net.rangedesk.Test.Portal on the main object:
  Keysyms() -> s           the keys received, "31+ 31- ff09+ ff09-" (hex keysym, press/release)
  SelectOptions() -> a{sv} the options of the last SelectDevices
  CloseSessions()          the portal closes every session (Session.Closed)
'''

import dbus
from dbusmock.mockobject import objects
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.RemoteDesktop'
SYSTEM_BUS = False

REQUEST_IFACE = 'org.freedesktop.portal.Request'
SESSION_IFACE = 'org.freedesktop.portal.Session'
TEST_IFACE = 'net.rangedesk.Test.Portal'
KEYBOARD = 1


def load(mock, parameters):
    mock.decline = bool(parameters.get('decline', False))
    mock.sessions = {}
    mock.keysyms = []
    mock.select_options = {}
    mock.tokens_issued = 0
    mock.AddProperties(MAIN_IFACE, {
        'version': dbus.UInt32(parameters.get('version', 2)),
        'AvailableDeviceTypes': dbus.UInt32(7),
    })


def _sender_part(sender):
    return sender[1:].replace('.', '_')


def _respond(mock, sender, token, code, results):
    '''The Request object of a call, and its Response once the call has returned.'''
    path = f'{MAIN_OBJ}/request/{_sender_part(sender)}/{token}'
    mock.AddObject(path, REQUEST_IFACE, {}, [('Close', '', '', '')])

    def emit():
        objects[path].EmitSignal(REQUEST_IFACE, 'Response', 'ua{sv}',
                                 [dbus.UInt32(code), dbus.Dictionary(results, signature='sv')])
        return False

    GLib.idle_add(emit)
    return dbus.ObjectPath(path)


def _session(mock, handle):
    if str(handle) not in mock.sessions:
        raise dbus.exceptions.DBusException(f'no session {handle}',
                                            name='org.freedesktop.DBus.Error.AccessDenied')
    return mock.sessions[str(handle)]


@dbus.service.method(MAIN_IFACE, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
def CreateSession(self, options, sender=None):
    handle = f'{MAIN_OBJ}/session/{_sender_part(sender)}/{options["session_handle_token"]}'
    self.AddObject(handle, SESSION_IFACE, {}, [('Close', '', '', '')])
    self.sessions[handle] = {'started': False}
    return _respond(self, sender, options['handle_token'], 0,
                    {'session_handle': dbus.String(handle)})


@dbus.service.method(MAIN_IFACE, in_signature='oa{sv}', out_signature='o', sender_keyword='sender')
def SelectDevices(self, session, options, sender=None):
    _session(self, session)
    self.select_options = dict(options)
    return _respond(self, sender, options['handle_token'], 0, {})


@dbus.service.method(MAIN_IFACE, in_signature='osa{sv}', out_signature='o', sender_keyword='sender')
def Start(self, session, parent_window, options, sender=None):
    state = _session(self, session)
    if self.decline:
        return _respond(self, sender, options['handle_token'], 1, {})
    state['started'] = True
    results = {'devices': dbus.UInt32(KEYBOARD)}
    if 'persist_mode' in self.select_options:
        self.tokens_issued += 1
        results['restore_token'] = dbus.String(f'restore-token-{self.tokens_issued}')
    return _respond(self, sender, options['handle_token'], 0, results)


@dbus.service.method(MAIN_IFACE, in_signature='oa{sv}iu', out_signature='')
def NotifyKeyboardKeysym(self, session, options, keysym, state):
    if not _session(self, session)['started']:
        raise dbus.exceptions.DBusException('session not started',
                                            name='org.freedesktop.DBus.Error.AccessDenied')
    self.keysyms.append(f'{int(keysym):x}{"+" if state else "-"}')


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='s')
def Keysyms(self):
    return ' '.join(self.keysyms)


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='a{sv}')
def SelectOptions(self):
    return dbus.Dictionary(self.select_options, signature='sv')


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='')
def CloseSessions(self):
    for handle in list(self.sessions):
        objects[handle].EmitSignal(SESSION_IFACE, 'Closed', 'a{sv}',
                                   [dbus.Dictionary({}, signature='sv')])
        del self.sessions[handle]
