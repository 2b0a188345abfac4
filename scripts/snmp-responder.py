#!/usr/bin/env python3
"""A scripted SNMPv1 peer for tests: answers GetRequests on UDP port 161 of
one loopback address the way a real agent would not (stale request-ids,
other PDU types, foreign communities, cut or garbled datagrams, silence).
The community of each request picks the behaviour, so one peer serves every
test of a run, native or under Wine.

  snmp-responder.py start STATE_DIR ADDRESS   start in the background
  snmp-responder.py stop STATE_DIR            end it (by the PID it wrote)
  snmp-responder.py run ADDRESS               run in the foreground

Communities (anything else is treated as "table"):
  table      answers from TABLE below, noSuchName (status 2, NULL) otherwise
  every      INTEGER 7 for any object
  ids        INTEGER = the request-id
  stale2     two datagrams with other request-ids, then the answer (= request-id)
  stale5     five such datagrams, then the answer
  staleonly  one such datagram, then nothing
  trap       a PDU of type A3, then the right answer
  longer     the answer under the community "longer-and-more"
  cut        the answer without its last 3 bytes
  longlen    the answer with a four-octet message length far too long
  garbage    four bytes that are no message
  nosuch     noSuchName with a NULL value
  third      nothing for the first two sends of a request, then the answer
  fail3      answers the first 3 requests from a client socket, then nothing
  silent     never answers
Reading COUNT_OID (any community) answers the number of requests received
since the previous such read, and is not counted itself.
The peer ends by itself after LIFETIME seconds.
"""
import os
import select
import signal
import socket
import sys
import time

LIFETIME = 1800
MAKER = (1, 3, 6, 1, 4, 1, 32473)
COUNT_OID = MAKER + (99, 1, 0)


def tlv(tag, contents):
    n = len(contents)
    if n < 0x80:
        head = bytes([tag, n])
    elif n < 0x100:
        head = bytes([tag, 0x81, n])
    else:
        head = bytes([tag, 0x82, n >> 8, n & 0xFF])
    return head + contents


def integer(value, tag=0x02):
    raw = value.to_bytes(9, "big", signed=True)
    i = 0
    while i < 8 and ((raw[i] == 0 and raw[i + 1] < 0x80) or (raw[i] == 0xFF and raw[i + 1] >= 0x80)):
        i += 1
    return tlv(tag, raw[i:])


def text(value):
    return tlv(0x04, value.encode("latin-1"))


def oid_tuple(contents):
    arcs = [contents[0] // 40, contents[0] % 40]
    acc = 0
    for b in contents[1:]:
        acc = (acc << 7) | (b & 0x7F)
        if not b & 0x80:
            arcs.append(acc)
            acc = 0
    return tuple(arcs)


def read_tlv(data, at, end):
    if end - at < 2:
        raise ValueError("short")
    tag, n, p = data[at], data[at + 1], at + 2
    if n & 0x80:
        count = n & 0x7F
        n = int.from_bytes(data[p:p + count], "big")
        p += count
    if p + n > end:
        raise ValueError("long")
    return tag, p, p + n


def parse_request(data):
    _, p, end = read_tlv(data, 0, len(data))
    _, _, p = read_tlv(data, p, end)                # version
    _, c0, c1 = read_tlv(data, p, end)              # community
    community = data[c0:c1].decode("latin-1")
    pdu, p, pend = read_tlv(data, c1, end)
    _, i0, i1 = read_tlv(data, p, pend)
    request_id = int.from_bytes(data[i0:i1], "big", signed=True)
    _, _, p = read_tlv(data, i1, pend)              # error-status
    _, _, p = read_tlv(data, p, pend)               # error-index
    _, p, lend = read_tlv(data, p, pend)            # binding list
    _, p, bend = read_tlv(data, p, lend)            # first binding
    _, n0, n1 = read_tlv(data, p, bend)             # name
    return community, pdu, request_id, data[n0:n1]


def response(community, request_id, status, index, name, value, pdu=0xA2):
    binding = tlv(0x30, tlv(0x06, name) + value)
    body = integer(request_id) + integer(status) + integer(index) + tlv(0x30, binding)
    return tlv(0x30, integer(0) + text(community) + tlv(pdu, body))


def column(n, index):
    return (1, 3, 6, 1, 2, 1, 43, 11, 1, 1, n, 1, index)


TABLE = {
    # Installed options: only a plain INTEGER counts as a value.
    MAKER + (2, 1, 3, 1, 0): integer(1),
    MAKER + (1, 1, 1001, 0): integer(0),
    (1, 3, 6, 1, 2, 1, 25, 2, 3, 1, 4, 2): integer(4096, 0x42),   # Gauge32
    MAKER + (1, 1, 1011, 0): integer(-2),
    (1, 3, 6, 1, 2, 1, 43, 13, 4, 1, 2, 1, 2): integer(40),
    MAKER + (1, 304, 1015, 0): integer(1, 0x41),                   # Counter32
    MAKER + (1, 304, 1010, 0): text("1"),
    (1, 3, 6, 1, 2, 1, 43, 8, 2, 1, 2, 1, 3): integer(4),
    (1, 3, 6, 1, 2, 1, 43, 8, 2, 1, 2, 1, 5): integer(5, 0x43),    # TimeTicks
    MAKER + (2, 1, 1, 4, 1, 0): integer(2),
    # A second object for entries that ask one.
    (1, 3, 6, 1, 2, 1, 1, 1, 7): integer(3),
    (1, 3, 6, 1, 2, 1, 1, 2, 7): integer(9),
    (1, 3, 6, 1, 2, 1, 1, 3, 7): integer(3),
    (1, 3, 6, 1, 2, 1, 1, 4, 7): integer(-4),
}
# A supply table numbered 1-4, 51-52 and 101; row n (from 0) has type n.
for row, index in enumerate((1, 2, 3, 4, 51, 52, 101)):
    TABLE[column(6, index)] = text("z" * 300 if index == 52 else "Cartuccia %d" % index)
    TABLE[column(9, index)] = integer(index, 0x42)
    TABLE[column(8, index)] = integer(100 * index)
    TABLE[column(7, index)] = integer(19) if index == 2 else text("pagine")
    TABLE[column(5, index)] = integer(row)


class Peer:
    def __init__(self, address):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.sock.bind((address, 161))
        self.count = 0
        self.sends = {}      # (client, request-id) -> sends seen
        self.answered = {}   # client -> requests answered ("fail3")

    def replies(self, community, pdu, request_id, name, client):
        key = (client, request_id)
        self.sends[key] = self.sends.get(key, 0) + 1
        answer = lambda value, c=community: response(c, request_id, 0, 0, name, value)
        stale = lambda k: [response(community, request_id - 100 - i, 0, 0, name, integer(1))
                           for i in range(k)]
        if community == "silent":
            return []
        if community == "every":
            return [answer(integer(7))]
        if community == "ids":
            return [answer(integer(request_id))]
        if community in ("stale2", "stale5"):
            return stale(int(community[-1])) + [answer(integer(request_id))]
        if community == "staleonly":
            return stale(1)
        if community == "trap":
            return [response(community, request_id, 0, 0, name, integer(1), 0xA3),
                    answer(integer(request_id))]
        if community == "longer":
            return [answer(integer(1), "longer-and-more")]
        if community == "cut":
            return [answer(integer(5))[:-3]]
        if community == "longlen":
            whole = bytearray(answer(integer(5)))
            whole[1] = 0x84
            return [bytes(whole)]
        if community == "garbage":
            return [bytes([0xFF, 0x00, 0x13, 0x37])]
        if community == "nosuch":
            return [response(community, request_id, 2, 1, name, tlv(0x05, b""))]
        if community == "third":
            return [answer(integer(8))] if self.sends[key] >= 3 else []
        if community == "fail3":
            done = self.answered.get(client, 0)
            if done >= 3:
                return []
            self.answered[client] = done + 1
            return [answer(integer(6))]
        value = TABLE.get(oid_tuple(name))
        if value is None:
            return [response(community, request_id, 2, 1, name, tlv(0x05, b""))]
        return [answer(value)]

    def serve(self, deadline):
        while time.monotonic() < deadline:
            ready, _, _ = select.select([self.sock], [], [], 1.0)
            if not ready:
                continue
            data, client = self.sock.recvfrom(65535)
            try:
                community, pdu, request_id, name = parse_request(data)
            except (ValueError, IndexError):
                continue
            if oid_tuple(name) == COUNT_OID:
                out = [response(community, request_id, 0, 0, name, integer(self.count))]
                self.count = 0
            else:
                self.count += 1
                out = self.replies(community, pdu, request_id, name, client)
            for datagram in out:
                self.sock.sendto(datagram, client)


def ours(state, pid):
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            args = f.read().split(b"\0")
    except OSError:
        return False
    return os.path.abspath(__file__).encode() in args and b"run" in args


def stop(state):
    pidfile = os.path.join(state, "responder.pid")
    try:
        pid = int(open(pidfile).read())
    except (OSError, ValueError):
        return
    if ours(state, pid):
        os.kill(pid, signal.SIGTERM)
        for _ in range(50):
            if not ours(state, pid):
                break
            time.sleep(0.1)
    os.remove(pidfile)


def start(state, address):
    if not address.startswith("127."):
        sys.exit("snmp-responder: %s is not a loopback address" % address)
    os.makedirs(state, exist_ok=True)
    stop(state)
    log = open(os.path.join(state, "responder.log"), "ab")
    child = os.fork()
    if child == 0:
        os.setsid()
        os.dup2(log.fileno(), 1)
        os.dup2(log.fileno(), 2)
        devnull = os.open(os.devnull, os.O_RDONLY)
        os.dup2(devnull, 0)
        os.execv(sys.executable, [sys.executable, os.path.abspath(__file__), "run", address])
    with open(os.path.join(state, "responder.pid"), "w") as f:
        f.write(str(child))
    # Ready once the count object answers.
    probe = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    probe.settimeout(0.1)
    request = tlv(0x30, integer(0) + text("table") + tlv(0xA0, integer(1) + integer(0) + integer(0) +
                  tlv(0x30, tlv(0x30, tlv(0x06, encode_oid(COUNT_OID)) + tlv(0x05, b"")))))
    for _ in range(50):
        try:
            probe.sendto(request, (address, 161))
            probe.recvfrom(4096)
            print("snmp-responder: on %s (pid %d)" % (address, child))
            return
        except OSError:
            time.sleep(0.1)
    stop(state)
    sys.exit("snmp-responder: no answer from %s" % address)


def encode_oid(arcs):
    out = bytearray([arcs[0] * 40 + arcs[1]])
    for arc in arcs[2:]:
        groups = [arc & 0x7F]
        arc >>= 7
        while arc:
            groups.append(0x80 | (arc & 0x7F))
            arc >>= 7
        out += bytes(reversed(groups))
    return bytes(out)


def main(argv):
    if len(argv) >= 3 and argv[1] == "start" and len(argv) == 4:
        start(argv[2], argv[3])
    elif len(argv) == 3 and argv[1] == "stop":
        stop(argv[2])
        print("snmp-responder: stopped (%s)" % argv[2])
    elif len(argv) == 3 and argv[1] == "run":
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        Peer(argv[2]).serve(time.monotonic() + LIFETIME)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
