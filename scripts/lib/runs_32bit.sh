# Sourced by setup and test: whether this machine runs 32-bit x86 programs, which decides whether
# wine's 32-bit side is installed and whether the x86 build is run, or only built.

# Starts a 32-bit Linux program of 96 bytes that exits with 42; a kernel without 32-bit support,
# or another processor, refuses it. It lies in the build folder, since a temporary folder may
# forbid running programs.
machine_runs_32bit() {
    local header='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08'
    header+='\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0'
    # One segment of the whole file, loaded at 0x08048000; the code follows at offset 84.
    local segment='\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x60\0\0\0\x60\0\0\0\x05\0\0\0\0\x10\0\0'
    local code='\xb8\x01\0\0\0\xbb\x2a\0\0\0\xcd\x80'  # exit(42) through int 0x80
    local folder probe status
    folder="$(dirname "${BASH_SOURCE[0]}")/../../build"
    mkdir -p "$folder" && probe=$(mktemp -p "$folder" probe-32bit.XXXXXX) || return 1
    printf '%b' "$header$segment$code" >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" -eq 42 ]
}

# Where Debian's wine32 puts wine's 32-bit loader; /usr/bin/wine runs it when it is there.
wine32_loader=/usr/lib/wine/wine

# The x86 programs can run here: the machine runs 32-bit code and wine has its 32-bit side.
x86_runs_here() { machine_runs_32bit && [ -x "$wine32_loader" ]; }
