#!/usr/bin/env bash
# Signs a built Windows file (the exe, the MSI) in place with Authenticode,
# SHA-256, when TAVROLIN_SIGN_CERT and TAVROLIN_SIGN_KEY name a certificate
# (PEM, the chain up to the CA may follow it) and its private key (PEM,
# unencrypted). Without them the file stays unsigned.
# Usage: sign-windows.sh FILE
set -euo pipefail
file=$1
cert=${TAVROLIN_SIGN_CERT:-}
key=${TAVROLIN_SIGN_KEY:-}

[ -z "$cert" ] && [ -z "$key" ] && exit 0
# The build asked for a signed file and cannot make one: remove the unsigned
# one, so that nobody ships it by mistake and the next build makes it again.
refuse() {
    echo "sign-windows: $*; $file is removed" >&2
    rm -f "$file"
    exit 1
}
[ -n "$cert" ] && [ -n "$key" ] || refuse "TAVROLIN_SIGN_CERT and TAVROLIN_SIGN_KEY must be given together"
command -v osslsigncode >/dev/null || refuse "osslsigncode is missing (scripts/install-deps.sh test)"

signed=$(mktemp "$file.XXXXXX")
trap 'rm -f "$signed"' EXIT
# osslsigncode will not write over an existing file.
rm -f "$signed"
if ! out=$(osslsigncode sign -certs "$cert" -key "$key" -h sha256 -n Tavrolin -in "$file" -out "$signed" 2>&1); then
    refuse "osslsigncode could not sign it with $cert and $key: $(tail -n 3 <<<"$out" | tr '\n' ' ')"
fi
mv "$signed" "$file"
echo "sign-windows: signed $file"
