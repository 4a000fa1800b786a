#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<what>/ in each target's input layout.

The layouts are read by fuzz/support/fuzz_input.h: single bytes and little-endian numbers,
and fields that end at a zero byte followed by another byte ("\\0\\n" here); a zero byte
inside a field is doubled. Run it again after changing a layout; files are named by content.
"""

import hashlib
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent / "corpus"

TYPES = ["Boolean", "Integer", "BitString", "OctetString", "Null", "ObjectId", "IpAddress", "Counter",
         "Gauge", "TimeTicks", "Opaque", "NsapAddress", "Counter64", "UInteger", "Double", "MacAddress",
         "DateTime", "BcDateTime", "DisplayString", "Ipv6Address", "Bool8", "Int8", "UInt8", "Bool16",
         "Int16", "UInt16"]


def t(name):
    return bytes([TYPES.index(name)])


def field(data):
    if isinstance(data, str):
        data = data.encode()
    return data.replace(b"\0", b"\0\0") + b"\0\n"


def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def i32(v):
    return struct.pack("<i", v)


def i64(v):
    return struct.pack("<q", v)


def u64(v):
    return struct.pack("<Q", v)


def write(what, seeds):
    folder = ROOT / what
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for seed in seeds:
        (folder / ("seed-" + hashlib.sha1(seed).hexdigest()[:12])).write_bytes(seed)


SAMPLE_TEXT = {
    "Boolean": "true", "Integer": "-42", "BitString": "F0 0F", "OctetString": "48656C6C6F", "Null": "(NULL)",
    "ObjectId": "1.3.6.1.2.1", "IpAddress": "192.168.1.1", "Counter": "4294967295", "Gauge": "17",
    "TimeTicks": "1 day 2:03:04.05", "Opaque": "DEAD", "NsapAddress": "host.test",
    "Counter64": "18446744073709551615", "UInteger": "7", "Double": "3.14159", "MacAddress": "0011223344FF",
    "DateTime": "2024-2-29,13:45:6.7,+1:0", "BcDateTime": "2024/02/29 01:45:06 pm", "DisplayString": "Port 1 uplink",
    "Ipv6Address": "FE800000000000000000000000000001", "Bool8": "false", "Int8": "-1", "UInt8": "255",
    "Bool16": "true", "Int16": "65535", "UInt16": "1",
}


def valuetext():
    seeds = []
    no_options = b"\0"
    for name, text in SAMPLE_TEXT.items():
        seeds.append(b"\1" + t(name) + no_options + field(text))            # typed, sent, shown, sent
        seeds.append(b"\2" + t(name) + field(text))                         # text to raw and back
    received = [
        ("Integer", 0x02, -5, 0, b"", ""), ("Counter", 0x46, 0, 2**40, b"", ""),
        ("TimeTicks", 0x43, 0, 8640001, b"", ""), ("DisplayString", 0x04, 0, 0, b"ab\0cd", ""),
        ("DateTime", 0x04, 0, 0, bytes([7, 232, 2, 29, 13, 45, 6, 7, ord("+"), 1, 0]), ""),
        ("Double", 0x44, 0, 0, struct.pack("<d", 2.5), ""), ("IpAddress", 0x40, 0, 0, b"\x0a\0\0\x01", ""),
        ("ObjectId", 0x06, 0, 0, b"", "1.3.6.1"), ("MacAddress", 0x04, 0, 0, b"\0\x11\x22", ""),
        ("Boolean", 0x81, 0, 0, b"", ""),
    ]
    for name, syntax, integer, unsigned, octets, oid in received:
        seeds.append(b"\0" + t(name) + no_options + bytes([syntax]) + i64(integer) + u64(unsigned) + field(octets) +
                     field(oid))
    # An option list of kind 1 with two labels, on a received integer.
    seeds.append(b"\0" + t("Integer") + bytes([0x43]) + field("") + field("up") + i32(1) + field("") + field("down") +
                 i32(2) + bytes([0x02]) + i64(2) + u64(0) + field("") + field(""))
    for name, raw in [("Integer", b"\xff\xff\xff\xff"), ("ObjectId", b"\1\0\0\0\3\0\0\0"), ("Int16", b"\x80\x00"),
                      ("BcDateTime", struct.pack("<d", 45351.5)), ("DisplayString", b"caf\xe9")]:
        seeds.append(b"\3" + t(name) + field(raw))
    for name, offset in [("Int8", 3), ("MacAddress", 2), ("OctetString", 1), ("Counter64", 0)]:
        seeds.append(b"\4" + t(name) + i32(offset) + field(bytes(range(1, 13))))
    return seeds


def index():
    seeds = []
    rows = [
        ("Integer", 0, 0, "5.7"), ("OctetString", 0, 0, "3.65.66.67.9"), ("OctetString", 0x40, 1, "65.66.67"),
        ("DisplayString", 0, 0, "4.116.101.115.116"), ("ObjectId", 0, 0, "3.1.3.6.2"), ("ObjectId", 0x40, 1, "1.3.6"),
        ("IpAddress", 0, 0, "10.0.0.1.4"), ("Counter64", 0, 0, "1.2"), ("Double", 0, 0, "0.1072693248"),
        ("MacAddress", 0, 0, "0.17.34.51.68.85"), ("DateTime", 0, 0, "7.232.2.29.13.45.6.7.43.1.0"),
        ("Ipv6Address", 0, 0, ".".join(["254", "128"] + ["0"] * 13 + ["1"])), ("TimeTicks", 0, 0, "8640001"),
        ("Boolean", 0, 0, "2"), ("BcDateTime", 0, 0, "0.1088421888"), ("Null", 0, 0, "1.2"),
    ]
    for name, access, last, suffix in rows:
        seeds.append(b"\0" + t(name) + bytes([access, last, 0]) + field(suffix))
    for name, text in SAMPLE_TEXT.items():
        seeds.append(b"\1" + t(name) + bytes([0, 1, 0]) + field(text))
    seeds.append(b"\1" + t("DisplayString") + bytes([0x40, 1, 0]) + field("row one"))
    return seeds


def editformat():
    rows = [
        ("%i{n0x65535l5}", "123"), ("%s{l32}", "hello"), ("%h{l12f}", "0011223344FF"), ("%s{I}", "10.0.0.1"),
        ("%s{Im}", "224.0.0.1"), ("%h{I6}", "FE800000000000000000000000000001"), ("%h{I6m}", "FF02" + "0" * 28),
        ("%s{Mu}", "00-11-22-33-44-55"), ("%s{Mm}", "01.00.5E.00.00.01"), ("%n.{l4n}", "1.2.3"),
        ("%n,{n1x4094l8f}", "1,,4094"), ("%f{n-1.5x2.5}", "-0.5"), ("%u{w80e.Z}", "42"), ("%i%s{l2an}", "x-5"),
        ("%s{I}x", ""),
    ]
    return [u16(3) + field(fmt) + field(text) for fmt, text in rows]


def evaluate():
    arithmetic = ["8-4-2", "(1+2)*3/NOW", "6/3*2", "1e3/0", "-(2.5E-7)+((4))", " 7 * 6 "]
    condition = ['"a"="a"&!(10<9)|false', "1<>2", "(true|false)&!false", '"x|y">="x"', "maybe"]
    return [b"\0" + text.encode() for text in arithmetic] + [b"\1" + text.encode() for text in condition]


def catalogue():
    return [
        b"\0 Ok!\n Bad logic operand!\n\n   \n Bad format!\n",
        b"\5Ok!\r\nFail to read ([FILENAME])!\r\n",
        b"\6" + b"x" * 1500 + b"\nGet: [ERROR] at [TIME].\n",
        b"\3\xef\xbb\xbf(SNMPv3USM) error!\ncaf\xe9\n",
        b"\1\n\n\t\n",
    ]


INI = (b"; written by the platform\n[Program Information]\r\nAgentPort = 161\nVersion=\"3\"\n\n"
       b"[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\nPath=' /opt/x '\n#done\n[program information]\nAgentPort=1\n")


def ini():
    return [
        b"\0" + field(INI) + field("Program Information") + field("Version") + field("  two words ") +
        field("\\SOFTWARE\\Quorix\\Modules\\HelpPath") + field("path"),
        b"\0" + field(b"\xef\xbb\xbfkey=outside\n[a]\nk=v") + field("b") + field("k") + field('"quoted"') +
        field("a") + field("K"),
        b"\1" + field(INI) + u16(4) + field("program information") + field("agentport") + field("none"),
        b"\1" + field(b"[s]\nk=\xc3\xa9\xc3\xa9\xf0\x9f\x98\x80\n") + u16(6) + field("s") + field("k") + field(""),
    ]


REGISTRY = ("[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n1.3.6.1.4.1.58126.10.101.2=@ROOT@/module/KSW-7116.EXE\n"
            "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\nPath=@ROOT@/bin/\n")


def registry():
    file = REGISTRY.replace("@ROOT@", "/opt/quorix")
    return [
        b"\0" + field(file) + field("\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath") + field("path") + field(""),
        b"\1" + field(file) + field("SOFTWARE\\Norvane\\Console\\") + field("NC_PATH") + field(""),
        b"\3" + field(file) + field("\\software\\quorix") + field("New Value") + field(" kept blanks "),
        b"\3" + field("") + field("\\SOFTWARE\\A\\B") + field("x") + field("line\nbreak"),
    ]


CONFIG = ("[Program Information]\nAgentPort=161\nVersion=3\nContextName=ctx\nContextEngineID=8000\n"
          "SecurityModel=3\nSecurityLevel=2\nSecurityName=admin\nAuthProtocol=2\nPrivProtocol=1\n"
          "AuthPassword=authpass1\nPrivPassword=privpass1\n")


def device_config():
    return [
        CONFIG.encode(),
        b"[Program Information]\nAgentPort=1610\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\n"
        b"PrivProtocol=0\n",
        b"[Program Information]\nAgentPort=70000\nVersion=1\nSecurityModel=x\n",
        b"[program information]\n  agentport = ' 161 '\nVersion=+1\nSecurityModel=-2147483648\nSecurityLevel=2147483646\n",
    ]


def command_line():
    def seed(arguments, catalogue_index=0, catalogue=b"", config=CONFIG):
        return (field(REGISTRY) + field(config) + bytes([catalogue_index]) + field(catalogue) +
                b"".join(field(a) for a in arguments))
    return [
        seed(["/Iagent"]),
        seed(["/Iagent", "/v3", "/t1161", "/cctx", "/d800012", "/m3", "/l3", "/nuser", "/Aauthpass", "/Pprivpass",
              "/a2", "/p2"]),
        seed(["/Iagent", "/Rpublic", "/Wprivate", "/v1"], 5, b"Ok!\nFail!\n"),
        seed(["x/Iother", "/vthree"]),
        seed([]),
        seed(["/Iagent", "/t99999"], 0, b"", "[Program Information]\nAgentPort=abc\n"),
    ]


# Texts the code compares inside Qt, where libFuzzer cannot see the comparison.
VALUE_TOKENS = ["true", "false", "(NULL)", " day ", " days, ", ":", ".", ",+", ",-", "localhost", "x.test", " am",
                " pm", "/", "e+308", "nan", "inf", "\\x00", "\\xef\\xbb\\xbf", "\\xc3\\xa9"]

DICTS = {
    "valuetext": VALUE_TOKENS,
    "index": VALUE_TOKENS + ["4294967295", "256"],
    "evaluate": ["+", "-", "*", "/", "(", ")", "NOW", "e", "E", ".", "|", "&", "!", "<>", ">=", "<=", ">", "<", "=",
                 "\\\"", "true", "false"],
    "editformat": ["%s", "%h", "%i", "%u", "%f", "%n", "{", "}", "n", "x", "l", "a", "f", "w", "e", "I", "I6", "Im",
                   "I6m", "M", "Mm", "Mu", "Z", "-", "."],
    "command_line": ["/I", "/R", "/W", "/v", "/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p", "@ROOT@",
                     "[Program Information]", "AgentPort=", "Version=", "SecurityLevel=", "AuthProtocol="],
    "ini": ["[", "]", "=", ";", "#", "\\\"", "'", "\\x0d\\x0a", "\\xef\\xbb\\xbf"],
}


def dicts():
    folder = ROOT.parent / "dict"
    folder.mkdir(exist_ok=True)
    for what, tokens in DICTS.items():
        (folder / f"{what}.dict").write_text("".join(f'"{token}"\n' for token in tokens))


if __name__ == "__main__":
    write("valuetext", valuetext())
    write("index", index())
    write("editformat", editformat())
    write("evaluate", evaluate())
    write("catalogue", catalogue())
    write("ini", ini())
    write("registry", registry())
    write("device_config", device_config())
    write("command_line", command_line())
    dicts()
