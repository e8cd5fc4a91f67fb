#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into OUT/<target>/ from files
the project already has: the example package and what it holds, the language
files, the bitmap library, a backup made of the example's runtime image, and
the replies of a panel that does everything right.

    fuzz/make-seeds.py QV-CLI OUT
"""
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
qv_cli, out = sys.argv[1], sys.argv[2]


def put(target, name, data):
    d = os.path.join(out, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


example = os.path.join(root, "examples", "Example.cgp")
with open(example, "rb") as f:
    package = f.read()
put("fuzz_package", "example.cgp", package)

with zipfile.ZipFile(example) as z:
    for i, name in enumerate(z.namelist()):
        data = z.read(name)
        if name == "Prj.ini":
            put("fuzz_profile", "prj.ini", data)
        elif name == "Example.cgp":
            put("fuzz_project_doc", "example-doc", data)
        elif name.endswith(".bmp"):
            put("fuzz_bmp", name, data)
        elif " - #" in name:
            put("fuzz_screen_file", "screen%d" % i, data)
            put("fuzz_screen_paint", "screen%d" % i, data)
            text = data.decode("utf-16-le")
            for j, line in enumerate(l for l in text.splitlines() if l):
                put("fuzz_screen_line", "s%d-l%d" % (i, j), b"\x00" + line.encode("utf-16-le"))
    # A package of one screen that is smaller for the fuzzer to work on.
    small = os.path.join(out, "small.cgp")
    with zipfile.ZipFile(small, "w") as s:
        for name in z.namelist():
            if name in ("Prj.ini", "Example.cgp") or name.endswith("#3 Trend"):
                s.writestr(name, z.read(name))
    with open(small, "rb") as f:
        put("fuzz_package", "small.cgp", f.read())
    os.remove(small)

for lang in ("en", "chs"):
    with open(os.path.join(root, "data", "QV_Str." + lang), "rb") as f:
        put("fuzz_profile", "QV_Str." + lang, f.read())
put("fuzz_profile", "settings.ini", b"[App]\r\nLanguage=1\r\nZoom=150\r\nCOMPORT=/dev/ttyS0\r\n"
    b"[Language]\r\n0=en\r\n1=chs\r\n[Debug]\r\nCompilerData=0\r\n")
put("fuzz_profile", "settings-utf16.ini", b"\xff\xfe" + "[App]\r\nZoom=100\r\n".encode("utf-16-le"))

bmp_dir = os.path.join(root, "data", "BMP_Files")
for folder in sorted(os.listdir(bmp_dir)):
    names = sorted(os.listdir(os.path.join(bmp_dir, folder)))
    for name in names[:3]:
        with open(os.path.join(bmp_dir, folder, name), "rb") as f:
            put("fuzz_bmp", name, f.read())

# A backup: the example's runtime image and a trailer with a password.
with tempfile.TemporaryDirectory() as tmp:
    shutil.copy(example, os.path.join(tmp, "Example.cgp"))
    image = os.path.join(tmp, "image.bin")
    subprocess.run([qv_cli, "compile", os.path.join(tmp, "Example.cgp"), "-o", image],
                   check=True, stdout=subprocess.DEVNULL, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    with open(image, "rb") as f:
        data = f.read()
put("fuzz_runtime_image", "example.bin", data)
blocks = data + b"\0" * (-len(data) % 64)
put("fuzz_backup", "example.rtfbak", blocks + b"\0" * 60 + b"\x12\x34\x56\x78")
put("fuzz_backup", "small.rtfbak", blocks[:128] + b"\0" * 64)

# Panel replies: download (3 blocks), get information, upload of 2 blocks.
put("fuzz_transfer_pty", "download", b"\x00ZYLOK\x01\x00\x00\x04OKOKOKOKOKOK")
put("fuzz_transfer_pty", "information",
    b"\x01ZYL\x10\x01\x00\x00\x04\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x01END")
upload = bytes(range(128))
check = 0
for b in upload:
    check ^= b
put("fuzz_transfer_pty", "upload", b"\x02ZYL\x00\x00\x00\x00\x00\x02" + upload + bytes([check]) + b"END")
put("fuzz_transfer_pty", "no-handshake", b"\x00ZY")
# The in-memory line takes the same replies.
pty = os.path.join(out, "fuzz_transfer_pty")
for name in os.listdir(pty):
    with open(os.path.join(pty, name), "rb") as f:
        put("fuzz_transfer_reply", name, f.read())

# Projects of the compiler target: a few byte patterns to start from.
put("fuzz_compile", "zeros", bytes(64))
put("fuzz_compile", "ramp", bytes(range(256)) * 2)
put("fuzz_compile", "ones", b"\xff" * 300)
