#!/usr/bin/env bash
# The optional signing step: copies of the built exe and installer signed by
# cmake/sign-windows.sh with a certificate made here, and the signatures
# verified against it; a key that does not belong to the certificate is
# refused and leaves no unsigned file that looks signed; and without a
# certificate the build's own files stay unsigned.
# Usage: check-signing.sh sign-windows.sh tavrolin.exe INSTALLER.msi
set -uo pipefail
sign=$1 exe=$2 msi=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }
for file in "$exe" "$msi"; do [ -f "$file" ] || { echo "FAIL: no $file"; exit 1; }; done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
certificate() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tavrolin test $1" \
        -addext keyUsage=digitalSignature -addext extendedKeyUsage=codeSigning \
        -keyout "$work/$1.key" -out "$work/$1.pem" 2>/dev/null || { echo "FAIL: openssl cannot make a certificate"; exit 1; }
}
certificate school
certificate other

for file in "$exe" "$msi"; do
    name=$(basename "$file")
    cp "$file" "$work/$name"
    osslsigncode verify -in "$file" >/dev/null 2>&1 && fail "$name is signed, though the build was given no certificate"

    TAVROLIN_SIGN_CERT=$work/school.pem TAVROLIN_SIGN_KEY=$work/school.key "$sign" "$work/$name" ||
        fail "signing $name failed"
    verified=$(osslsigncode verify -CAfile "$work/school.pem" -in "$work/$name" 2>&1) ||
        fail "the signature of $name does not verify: $(tail -n 5 <<<"$verified")"
    grep -qi 'sha256' <<<"$verified" || fail "the signature of $name is not SHA-256: $(grep -i digest <<<"$verified")"

    cp "$file" "$work/$name"
    if out=$(TAVROLIN_SIGN_CERT=$work/school.pem TAVROLIN_SIGN_KEY=$work/other.key "$sign" "$work/$name" 2>&1); then
        fail "$name was signed with a key that is not the certificate's"
    else
        echo "refused as it should be: $out"
        [ ! -e "$work/$name" ] || fail "a refused signing left $name behind, unsigned"
    fi
    cp "$file" "$work/$name"
    TAVROLIN_SIGN_CERT=$work/school.pem "$sign" "$work/$name" 2>/dev/null && fail "signing with a certificate and no key succeeded"
done

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
