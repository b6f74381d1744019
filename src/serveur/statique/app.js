// The screens of sci2072 serve. Without this script every screen works as a plain form; with
// it, each field is entered as soon as it changes and the screen shows at once what moved
// (the fields the selection offers, the figures the update recomputed), without reloading.
(function () {
  'use strict';

  // Removals ask first.
  document.addEventListener('click', function (ev) {
    var bouton = ev.target.closest('[data-confirme]');
    if (bouton && !window.confirm(bouton.getAttribute('data-confirme'))) ev.preventDefault();
  });

  var ecran = document.getElementById('ecran');
  if (!ecran) return;
  // Each field is applied as it changes: the form's own button is for pages without this script.
  document.documentElement.classList.add('avec-script');

  var file = Promise.resolve();   // changes go one after the other, each with the version the last answer gave
  var enCours = 0;
  var envoyes = {};               // ids of the fields sent and not yet answered

  // How many changes are on their way, for whoever waits for the screen to settle.
  function compte(delta) {
    enCours += delta;
    document.documentElement.setAttribute('data-saisies', String(enCours));
  }

  function versionCourante() { return ecran.querySelector('input[name=version]'); }

  function valeur(champ) {
    if (champ.type === 'checkbox') return champ.checked ? champ.value : champ.getAttribute('data-sinon');
    return champ.value;
  }

  function valeurs(element) {
    var texte = [];
    element.querySelectorAll('input, select, output').forEach(function (c) { texte.push(c.type === 'checkbox' ? c.checked : c.value); });
    return texte.join('|');
  }

  function montreAlerte(message) {
    var zone = document.getElementById('alertes');
    zone.innerHTML = '';
    var p = document.createElement('p');
    p.className = 'alerte';
    p.textContent = message;
    zone.appendChild(p);
  }

  // Takes from the answer (the whole screen, as the server renders it) what changed, leaving
  // alone the field being typed in and those still on their way.
  function applique(html) {
    var doc = new DOMParser().parseFromString(html, 'text/html');
    var nouveau = doc.getElementById('ecran');
    if (!nouveau) {
      montreAlerte('Cet écran n’existe plus (enregistrement supprimé ailleurs ?) : rechargez la page.');
      return;
    }
    // Every form of the page (the record's operations too) carries the new version.
    var version = nouveau.querySelector('input[name=version]').value;
    document.querySelectorAll('input[name=version]').forEach(function (c) { c.value = version; });
    // The record's name may have changed: its title and its place in the navigation follow.
    document.title = doc.title;
    ['alertes', 'bandeau', 'etat', 'titre', 'arbre'].forEach(function (id) {
      var avant = document.getElementById(id), apres = doc.getElementById(id);
      if (avant && apres) {
        avant.className = apres.className;
        if (avant.innerHTML !== apres.innerHTML) avant.innerHTML = apres.innerHTML;
      }
    });
    doc.querySelectorAll('[data-bloc]').forEach(function (bloc) {
      var actuel = document.getElementById(bloc.id);
      if (actuel) actuel.hidden = bloc.hidden;
    });
    doc.querySelectorAll('[data-ligne]').forEach(function (ligne) {
      var actuelle = document.getElementById(ligne.id);
      if (!actuelle || actuelle.outerHTML === ligne.outerHTML) return;
      // The field being typed in stays as it is; a switch or a list just chosen is replaced and
      // keeps the focus.
      var actif = document.activeElement, refocalise = null;
      if (actuelle.contains(actif)) {
        if (actif.tagName === 'INPUT' && actif.type !== 'checkbox') return;
        refocalise = actif.id;
      }
      var attend = false;
      actuelle.querySelectorAll('[id]').forEach(function (c) { if (envoyes[c.id]) attend = true; });
      if (attend) return;
      var avant = valeurs(actuelle);
      var importee = document.importNode(ligne, true);
      actuelle.replaceWith(importee);
      if (refocalise && document.getElementById(refocalise)) document.getElementById(refocalise).focus();
      if (!importee.hidden && avant !== valeurs(importee)) {
        importee.classList.add('a-bouge');
        window.setTimeout(function () { importee.classList.remove('a-bouge'); }, 2500);
      }
    });
  }

  function envoie(champ) {
    if (!champ.name || champ.readOnly || champ.disabled) return;
    envoyes[champ.id] = (envoyes[champ.id] || 0) + 1;
    compte(1);
    var nom = champ.name, texte = valeur(champ);
    file = file.then(function () {
      var corps = new URLSearchParams();
      corps.set('ecran', ecran.elements.ecran.value);
      corps.set('version', versionCourante().value);
      corps.set(nom, texte);
      return fetch(ecran.action, { method: 'POST', body: corps, headers: { 'X-Sci2072': '1' }, credentials: 'same-origin' })
        .then(function (reponse) { return reponse.text(); })
        .then(function (html) {
          envoyes[champ.id] -= 1;
          if (envoyes[champ.id] === 0) delete envoyes[champ.id];
          applique(html);
        })
        .catch(function () {
          delete envoyes[champ.id];
          montreAlerte('Le serveur ne répond pas : la dernière saisie n’a pas été appliquée.');
        })
        .then(function () { compte(-1); });
    });
  }

  ecran.addEventListener('change', function (ev) {
    if (ev.target.matches('input, select')) envoie(ev.target);
  });

  // Enter in a field applies that field, as leaving it does.
  ecran.addEventListener('submit', function (ev) {
    ev.preventDefault();
    var champ = document.activeElement;
    if (champ && champ.form === ecran && champ.matches('input, select') && champ.value !== champ.defaultValue) envoie(champ);
  });

  // Leaving the screen waits for the changes on their way, so that the checks see them.
  document.addEventListener('click', function (ev) {
    if (enCours === 0 || ev.defaultPrevented) return;
    var lien = ev.target.closest('a[href]');
    var bouton = ev.target.closest('button[type=submit]');
    if (!lien && !(bouton && bouton.form !== ecran)) return;
    ev.preventDefault();
    file.then(function () {
      if (lien) window.location.href = lien.href;
      else bouton.form.requestSubmit(bouton);
    });
  }, true);
})();
