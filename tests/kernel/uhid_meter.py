#!/usr/bin/env python3
"""A laser meter on a real kernel HID bus: creates a uhid device with a meter's vendor and
product numbers and a 64-byte vendor-defined report descriptor, and answers the meter's
seven-character commands with input reports, as a meter would.

uhid_meter.py CONFIG.json   (keys: model, pair: [vendor, product], records: [hex data bytes],
                             reading: int (1/10000 m), latency_ms, unplug_after: n replies,
                             unplug_at_command: n (destroyed when command n arrives, unanswered),
                             ready: path written once the device exists, log: path)
"""
import json, os, struct, sys, time, select

UHID_DESTROY, UHID_START, UHID_STOP, UHID_OPEN, UHID_CLOSE, UHID_OUTPUT = 1, 2, 3, 4, 5, 6
UHID_GET_REPORT, UHID_CREATE2, UHID_INPUT2, UHID_SET_REPORT = 9, 11, 12, 13
EVENT_SIZE = 4 + 4372
PAIRS = {1: (0x0483, 0x5750), 2: (0x0483, 0x5710), 3: (0x0486, 0x5750), 4: (0x0486, 0x5752)}
RDESC = bytes.fromhex('0600ff0901a101 0902150026ff007508954081 02 0903150026ff007508954091 02 c0'.replace(' ', ''))

def create(fd, vendor, product, name=b'Laser Meter'):
    req = struct.pack('<128s64s64sHHIIII4096s', name, b'usb-sim/input0', b'SIM0001', len(RDESC), 3,
                      vendor, product, 0x0100, 0, RDESC)
    ev = struct.pack('<I', UHID_CREATE2) + req
    os.write(fd, ev.ljust(EVENT_SIZE, b'\0'))

def send(fd, data):
    data = bytes(data).ljust(64, b'\0')[:64]
    ev = struct.pack('<IH', UHID_INPUT2, len(data)) + data
    os.write(fd, ev.ljust(EVENT_SIZE, b'\0'))

def destroy(fd):
    os.write(fd, struct.pack('<I', UHID_DESTROY).ljust(EVENT_SIZE, b'\0'))

def reply_for(cmd, cfg):
    recs = cfg.get('records', [])
    if cmd.startswith('ATK'):
        return cmd.encode()
    if cmd == 'ATD001#':
        v = cfg.get('reading', 15000) & 0xffffffff
        b = bytearray(16); b[3:7] = v.to_bytes(4, 'big'); b[15] = sum(b[:15]) & 0xff
        return bytes(b)
    if cmd == 'ATR???#':
        n = len(recs); return bytes([0, 0, 0, n >> 8, n & 0xff])
    if cmd.startswith('ATR') and cmd[3:6].isdigit():
        i = int(cmd[3:6])
        if 1 <= i <= len(recs):
            return bytes.fromhex(recs[i - 1])
    return None

def main():
    cfg = json.load(open(sys.argv[1]))
    log = open(cfg.get('log', '/dev/null'), 'a', buffering=1)
    fd = os.open('/dev/uhid', os.O_RDWR)
    vendor, product = cfg.get('pair') or PAIRS[cfg.get('model', 3)]
    create(fd, vendor, product)
    if cfg.get('ready'):
        with open(cfg['ready'], 'w') as f:
            f.write('created\n')
    replies, commands, deadline = 0, 0, time.time() + cfg.get('lifetime_s', 600)
    while time.time() < deadline:
        r, _, _ = select.select([fd], [], [], 0.5)
        if not r:
            continue
        ev = os.read(fd, EVENT_SIZE)
        etype = struct.unpack_from('<I', ev)[0]
        if etype == UHID_OUTPUT:
            data = ev[4:4 + 4096]; size, rtype = struct.unpack_from('<HB', ev, 4 + 4096)
            raw = data[:size]
            body = raw[1:] if raw[:1] == b'\0' else raw   # hidraw passes the report ID 0 through
            cmd = body[:7].decode('ascii', 'replace')
            log.write('OUT %d %s %s\n' % (size, raw[:9].hex(), cmd))
            commands += 1
            if cfg.get('unplug_at_command') and commands >= cfg['unplug_at_command']:
                destroy(fd); log.write('UNPLUGGED\n'); return
            rep = reply_for(cmd, cfg)
            if rep is not None:
                time.sleep(cfg.get('latency_ms', 2) / 1000)
                send(fd, rep); replies += 1
                log.write('IN  %s\n' % rep.hex())
                if cfg.get('unplug_after') and replies >= cfg['unplug_after']:
                    destroy(fd); log.write('UNPLUGGED\n'); return
        elif etype in (UHID_START, UHID_OPEN, UHID_CLOSE, UHID_STOP):
            log.write('EV %d\n' % etype)
        elif etype == UHID_GET_REPORT:
            pass
    destroy(fd)

if __name__ == '__main__':
    main()
